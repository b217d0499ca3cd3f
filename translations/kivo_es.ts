<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name>common::frmInformacoes</name>
    <message>
        <source>Informações Gerais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão do Windows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasta do Software:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suporte: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão  2017</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation type="unfinished">&amp;Volver</translation>
    </message>
    <message>
        <source>Os dados ficam no arquivo %1.
É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.
Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de segurança completa.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivo::frmAlternativas</name>
    <message>
        <source>Alternativas</source>
        <translation>Alternativas</translation>
    </message>
    <message>
        <source>Qtde de Alternativas:</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Cant. de Alternativas:</translation>
    </message>
    <message>
        <source>Alternativa  %1:</source>
        <translation>Alternativa %1:</translation>
    </message>
    <message>
        <source>Qtde de Alternativas não aceita!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Cantidad de Alternativas no aceptada!</translation>
    </message>
    <message>
        <source>Nº de Alternativas deve ser no máximo 15 itens</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>El Nº de Alternativas debe ser como máximo 15 ítems</translation>
    </message>
</context>
<context>
    <name>kivo::frmCriterios</name>
    <message>
        <source>Critérios</source>
        <translation>Criterios</translation>
    </message>
    <message>
        <source>Qtde Critérios:</source>
        <translation>Cant. Criterios:</translation>
    </message>
    <message>
        <source>  Sinal (+-)         Peso</source>
        <translation>  Signo (+-)         Peso</translation>
    </message>
    <message>
        <source>Critério  %1:</source>
        <translation>Criterio %1:</translation>
    </message>
    <message>
        <source>Critério %1:</source>
        <translation>Criterio %1:</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Qtde de Critérios não aceita!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Cantidad de Criterios no aceptada!</translation>
    </message>
    <message>
        <source>Nº de critérios deve ser no máximo 15 itens</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>El Nº de criterios debe ser como máximo 15 ítems</translation>
    </message>
    <message>
        <source>Só aceito + ou -</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Solo acepto + o -</translation>
    </message>
    <message>
        <source>Sinal do item %1 não informado corretamente</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Signo del ítem %1 no informado correctamente</translation>
    </message>
</context>
<context>
    <name>kivo::frmCriteriosAj</name>
    <message>
        <source>Ajuda da Tela Critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Ayuda de la pantalla Criterios</translation>
    </message>
    <message>
        <source>Qtde Critérios: quantos critérios serão usados para comparar as alternativas, de 3 a 15. Só as linhas desta quantidade aparecem e são gravadas.

Descrição: o nome do critério, com até 35 caracteres.

Sinal: + quando o critério é um benefício (quanto mais, melhor) e - quando é um custo (quanto menos, melhor).

Peso: a importância do critério, de 1 a 10. É calculado na tela Pesos, a partir da comparação dos critérios dois a dois, e aqui é apenas mostrado, sem poder ser alterado.

Gravar e Sair guarda as descrições, os sinais e a quantidade. Limpar histórico anterior apaga as descrições, os sinais, os pesos e as comparações de todos os critérios.</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Cant. Criterios: cuántos criterios se usarán para comparar las alternativas, de 3 a 15. Solo aparecen y se graban las líneas de esta cantidad.

Descripción: el nombre del criterio, con hasta 35 caracteres.

Signo: + cuando el criterio es un beneficio (cuanto más, mejor) y - cuando es un costo (cuanto menos, mejor).

Peso: la importancia del criterio, de 1 a 10. Se calcula en la pantalla Pesos, a partir de la comparación de los criterios de dos en dos, y aquí solo se muestra, sin que se pueda cambiar.

Grabar y Salir guarda las descripciones, los signos y la cantidad. Limpiar historial anterior borra las descripciones, los signos, los pesos y las comparaciones de todos los criterios.</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>kivo::frmDados</name>
    <message>
        <source>Identificação dos Pesos</source>
        <translation>Identificación de los Pesos</translation>
    </message>
    <message>
        <source>Comparação: </source>
        <translation>Comparación: </translation>
    </message>
    <message>
        <source>O critério: </source>
        <translation>El criterio: </translation>
    </message>
    <message>
        <source>é: </source>
        <translation>es: </translation>
    </message>
    <message>
        <source>Do que o critério: </source>
        <translation>Que el criterio: </translation>
    </message>
    <message>
        <source>Para a função objetivo </source>
        <translation>Para la función objetivo </translation>
    </message>
    <message>
        <source>Muito &amp;Mais</source>
        <translation>Mucho &amp;más</translation>
    </message>
    <message>
        <source>Ma&amp;is</source>
        <translation>Má&amp;s</translation>
    </message>
    <message>
        <source>&amp;De forma igual</source>
        <translation>&amp;Igual</translation>
    </message>
    <message>
        <source>M&amp;enos</source>
        <translation>M&amp;enos</translation>
    </message>
    <message>
        <source>M&amp;uito menos</source>
        <translation>M&amp;ucho menos</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Analizar</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Vago</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Vacante</translation>
    </message>
    <message>
        <source>vago</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>vacante</translation>
    </message>
    <message>
        <source>Pontos da Coluna</source>
        <translation>Puntos de la Columna</translation>
    </message>
    <message>
        <source>Normatização V 0-5</source>
        <translation>Normalización V 0-5</translation>
    </message>
    <message>
        <source>Pontos da Linha</source>
        <translation>Puntos de la Fila</translation>
    </message>
    <message>
        <source>Normatização H 0-5</source>
        <translation>Normalización H 0-5</translation>
    </message>
    <message>
        <source>Emach</source>
        <translation>Emach</translation>
    </message>
    <message>
        <source>1-Normalização</source>
        <translation>1-Normalización</translation>
    </message>
    <message>
        <source>Peso Final</source>
        <translation>Peso Final</translation>
    </message>
    <message>
        <source>A quantidade de critérios gravada (%1) deve ser de 1 a 15.</source>
        <translation>La cantidad de criterios grabada (%1) debe ser de 1 a 15.</translation>
    </message>
    <message>
        <source>A tabela Criterios não tem o campo %1.</source>
        <translation>La tabla Criterios no tiene el campo %1.</translation>
    </message>
    <message>
        <source>A tabela Criterios tem %1 registro(s), mas são %2 critérios.</source>
        <translation>La tabla Criterios tiene %1 registro(s), pero son %2 criterios.</translation>
    </message>
    <message>
        <source>Tabela de critérios incompatível!</source>
        <translation>¡Tabla de criterios incompatible!</translation>
    </message>
</context>
<context>
    <name>kivo::frmLista</name>
    <message>
        <source>Descrição</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;Gravar e Sair</source>
        <translation>&amp;Grabar y Salir</translation>
    </message>
    <message>
        <source>&amp;Limpar histórico anterior</source>
        <translation>&amp;Limpiar historial anterior</translation>
    </message>
    <message>
        <source>Limpar histórico anterior</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Limpiar historial anterior</translation>
    </message>
    <message>
        <source>Confirma a limpeza?</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¿Confirma la limpieza?</translation>
    </message>
</context>
<context>
    <name>kivo::frmValores</name>
    <message>
        <source>O valor deve ser numérico... não será salvo!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>El valor debe ser numérico... ¡no se grabará!</translation>
    </message>
    <message>
        <source>Peso do item %1 não informado corretamente</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Peso del ítem %1 no informado correctamente</translation>
    </message>
    <message>
        <source>Valores</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Alternativas:  </source>
        <translation>Alternativas:  </translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Alternativa %1:</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Alternativa %1:</translation>
    </message>
    <message>
        <source>Critérios:  </source>
        <translation>Criterios:  </translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Valores</source>
        <comment>heading of the values column</comment>
        <translation>Valores</translation>
    </message>
</context>
<context>
    <name>kivo::textosanalise</name>
    <message>
        <source>Valores incompletos!</source>
        <comment>columns alike</comment>
        <translation>Valores incompla!</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>columns alike</comment>
        <translation>Rellenar completamente la hoja de cálculo antes de analizar </translation>
    </message>
    <message>
        <source>Valores incompletos!</source>
        <comment>rows alike</comment>
        <translation>Valores incompleta!</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>rows alike</comment>
        <translation>Rellenar completamente la hoja de cálculo antes de analizar</translation>
    </message>
    <message>
        <source>Razão de consistência: </source>
        <translation>Razón de consistencia: </translation>
    </message>
    <message>
        <source>falta 1 comparação; a razão precisa de todas.</source>
        <translation>falta 1 comparación; la razón las necesita todas.</translation>
    </message>
    <message>
        <source>faltam %1 comparações; a razão precisa de todas.</source>
        <translation>faltan %1 comparaciones; la razón las necesita todas.</translation>
    </message>
    <message>
        <source> — aceitável</source>
        <translation> — aceptable</translation>
    </message>
    <message>
        <source>critério %1</source>
        <translation>criterio %1</translation>
    </message>
    <message>
        <source> — as respostas formam um ciclo: %1</source>
        <translation> — las respuestas forman un ciclo: %1</translation>
    </message>
    <message>
        <source> — acima de %1</source>
        <translation> — por encima de %1</translation>
    </message>
    <message>
        <source>Muito Mais</source>
        <translation>Mucho más</translation>
    </message>
    <message>
        <source>Mais</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>De forma igual</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Menos</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Muito menos</source>
        <translation>Mucho menos</translation>
    </message>
    <message>
        <source>. Mudar %1 × %2 de «%3» para «%4» levaria a razão a %5</source>
        <translation>. Cambiar %1 × %2 de «%3» a «%4» llevaría la razón a %5</translation>
    </message>
</context>
</TS>
