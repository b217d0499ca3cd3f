<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name>common::frmInformacoes</name>
    <message>
        <source>Informações Gerais</source>
        <translation>Información general</translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation>Especificación del equipo: </translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation>Nombre del equipo en la red:</translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation>Resolución de la pantalla:</translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation>Usuario conectado:</translation>
    </message>
    <message>
        <source>Versão do Windows:</source>
        <translation>Versión de Windows:</translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation>Versión de la base de datos:</translation>
    </message>
    <message>
        <source>Pasta do Software:</source>
        <translation>Carpeta del programa:</translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation>Idioma: </translation>
    </message>
    <message>
        <source>Suporte: </source>
        <extracomment>Stays Portuguese in English in kivo; davo translates it.</extracomment>
        <translation>Soporte: </translation>
    </message>
    <message>
        <source>Versão  2017</source>
        <translation>Versión  2017</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Os dados ficam no arquivo %1.
É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.
Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de segurança completa.</source>
        <translation>Los datos se guardan en el archivo %1.
Es una base de datos SQLite, que cualquier herramienta de SQLite abre.
Una copia de ese archivo, hecha con el programa cerrado, es una copia de seguridad completa.</translation>
    </message>
</context>
<context>
    <name>davo::GradeAtividades</name>
    <message>
        <source>Ativo</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>GUT</source>
        <translation>GUT</translation>
    </message>
    <message>
        <source>Gravidade</source>
        <translation>Gravedad</translation>
    </message>
    <message>
        <source>Urgência</source>
        <translation>Urgencia</translation>
    </message>
    <message>
        <source>Tendência</source>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>Atividade</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Data Final</source>
        <translation>Fecha límite</translation>
    </message>
    <message>
        <source>Faltam Dias</source>
        <translation>Días restantes</translation>
    </message>
    <message>
        <source>Tempo Disp.(h)</source>
        <translation>Tiempo disp.(h)</translation>
    </message>
    <message>
        <source>Horas Estimadas</source>
        <translation>Horas estimadas</translation>
    </message>
    <message>
        <source>Horas já trabalhadas</source>
        <translation>Horas ya trabajadas</translation>
    </message>
    <message>
        <source>Horas Q Faltam</source>
        <translation>Horas que faltan</translation>
    </message>
    <message>
        <source>Horas a Trab. p/dia</source>
        <translation>Horas a trab. p/día</translation>
    </message>
    <message>
        <source>(não avaliada) </source>
        <translation>(no evaluada) </translation>
    </message>
</context>
<context>
    <name>davo::GraficoPlano</name>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Capacidade: %1 horas por dia</source>
        <translation>Capacidad: %1 horas por día</translation>
    </message>
    <message>
        <source>Horas depois da Data Final</source>
        <translation>Horas después de la fecha límite</translation>
    </message>
    <message>
        <source>«%1»
%2: %3 h</source>
        <translation>«%1»
%2: %3 h</translation>
    </message>
    <message>
        <source>, %1 h depois da Data Final (%2)</source>
        <translation>, %1 h después de la fecha límite (%2)</translation>
    </message>
</context>
<context>
    <name>davo::Importacao</name>
    <message>
        <source>1 atividade a importar</source>
        <translation>1 actividad para importar</translation>
    </message>
    <message>
        <source>%1 atividades a importar</source>
        <translation>%1 actividades para importar</translation>
    </message>
    <message>
        <source>, 1 ignorada</source>
        <translation>, 1 ignorada</translation>
    </message>
    <message>
        <source>, %1 ignoradas</source>
        <translation>, %1 ignoradas</translation>
    </message>
    <message>
        <source> (sem prazo)</source>
        <translation> (sin fecha límite)</translation>
    </message>
    <message>
        <source> (sem descrição)</source>
        <translation> (sin descripción)</translation>
    </message>
    <message>
        <source> (%1 sem prazo, %2 sem descrição)</source>
        <translation> (%1 sin fecha límite, %2 sin descripción)</translation>
    </message>
</context>
<context>
    <name>davo::Intercambio</name>
    <message>
        <source>Arquivos iCalendar (*.ics *.ical *.icalendar);;Todos os arquivos (*)</source>
        <translation>Archivos iCalendar (*.ics *.ical *.icalendar);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Arquivos CSV (*.csv);;Todos os arquivos (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Arquivo não gravado!</source>
        <translation>¡Archivo no guardado!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo &quot;%1&quot;.
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>No se pudo guardar el archivo &quot;%1&quot;.
Elija otra carpeta u otro nombre e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Arquivo gravado</source>
        <translation>Archivo guardado</translation>
    </message>
    <message>
        <source>%1 foi gravado no arquivo:
%2</source>
        <translation>%1 se guardó en el archivo:
%2</translation>
    </message>
    <message>
        <source>Arquivo existente!</source>
        <translation>¡El archivo ya existe!</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; já existe. Deseja substituí-lo?</source>
        <translation>El archivo &quot;%1&quot; ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Exportar atividades para iCalendar</source>
        <translation>Exportar actividades a iCalendar</translation>
    </message>
    <message>
        <source>O calendário de atividades</source>
        <translation>El calendario de actividades</translation>
    </message>
    <message>
        <source>Exportar a lista de atividades para CSV</source>
        <translation>Exportar la lista de actividades a CSV</translation>
    </message>
    <message>
        <source>A lista de atividades</source>
        <translation>La lista de actividades</translation>
    </message>
    <message>
        <source>Exportar o histórico para CSV</source>
        <translation>Exportar el historial a CSV</translation>
    </message>
    <message>
        <source>O histórico</source>
        <translation>El historial</translation>
    </message>
    <message>
        <source>Importar tarefas de iCalendar</source>
        <translation>Importar tareas de iCalendar</translation>
    </message>
    <message>
        <source>Arquivo não lido!</source>
        <translation>¡Archivo no leído!</translation>
    </message>
    <message>
        <source>Não foi possível ler o arquivo &quot;%1&quot;.</source>
        <translation>No se pudo leer el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Arquivo não reconhecido!</source>
        <translation>¡Archivo no reconocido!</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não é um arquivo iCalendar (.ics) e nada foi importado.</source>
        <translation>El archivo &quot;%1&quot; no es un archivo iCalendar (.ics) y no se importó nada.</translation>
    </message>
    <message>
        <source>Nada a importar!</source>
        <translation>¡Nada que importar!</translation>
    </message>
    <message>
        <source>Confirma a importação?</source>
        <translation>¿Confirma la importación?</translation>
    </message>
    <message>
        <source>Importação concluída</source>
        <translation>Importación terminada</translation>
    </message>
    <message>
        <source>1 atividade importada.</source>
        <translation>1 actividad importada.</translation>
    </message>
    <message>
        <source>%1 atividades importadas.</source>
        <translation>%1 actividades importadas.</translation>
    </message>
</context>
<context>
    <name>davo::Menu</name>
    <message>
        <source>Prioridades pelo método GUT</source>
        <translation>Prioridades por el método GUT</translation>
    </message>
    <message>
        <source>Gravidade · Urgência · Tendência</source>
        <translation>Gravedad · Urgencia · Tendencia</translation>
    </message>
    <message>
        <source>Sistema Davo</source>
        <translation>Sistema Davo</translation>
    </message>
    <message>
        <source>&amp;Atividades GUT</source>
        <translation>&amp;Actividades GUT</translation>
    </message>
    <message>
        <source>&amp;Histórico</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>&amp;Plano</source>
        <translation>&amp;Plan</translation>
    </message>
    <message>
        <source>&amp;Compactar Banco de Dados</source>
        <translation>&amp;Compactar base de datos</translation>
    </message>
    <message>
        <source>&amp;Suporte</source>
        <translation>&amp;Soporte</translation>
    </message>
    <message>
        <source>&amp;Exportar atividades (iCalendar)...</source>
        <translation>&amp;Exportar actividades (iCalendar)...</translation>
    </message>
    <message>
        <source>&amp;Importar tarefas (iCalendar)...</source>
        <translation>&amp;Importar tareas (iCalendar)...</translation>
    </message>
    <message>
        <source>&amp;Atividades GUT...</source>
        <translation>&amp;Actividades GUT...</translation>
    </message>
    <message>
        <source>&amp;Histórico...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Utilitários</source>
        <translation>&amp;Utilidades</translation>
    </message>
    <message>
        <source>Exportar para CS&amp;V</source>
        <translation>Exportar a CS&amp;V</translation>
    </message>
    <message>
        <source>Somente leitura: nada pode ser gravado</source>
        <translation>Solo lectura: no se puede guardar nada</translation>
    </message>
    <message>
        <source>Sistema Davo - Versão 2017</source>
        <translation>Sistema Davo - Versión 2017</translation>
    </message>
    <message>
        <source>FORMATO DATA ERRADO!</source>
        <translation>¡FORMATO DE FECHA INCORRECTO!</translation>
    </message>
    <message>
        <source>Alterar o Formato da DATA para &apos;DD/MM/AAAA&apos; (Painel de Controle, Configurações Regionais)</source>
        <translation>Cambie el formato de la FECHA a &apos;DD/MM/AAAA&apos; (Panel de control, Configuración regional)</translation>
    </message>
    <message>
        <source>Programa Paralizado!</source>
        <translation>¡Programa detenido!</translation>
    </message>
    <message>
        <source>Programa ativo pela segunda vez, será fechado!</source>
        <translation>¡Programa activo por segunda vez, se cerrará!</translation>
    </message>
    <message>
        <source>O banco de dados &apos;%1&apos; não está aberto.</source>
        <translation>La base de datos &apos;%1&apos; no está abierta.</translation>
    </message>
    <message>
        <source>OK!</source>
        <translation>¡OK!</translation>
    </message>
    <message>
        <source>Arquivo Compactado!</source>
        <translation>¡Archivo compactado!</translation>
    </message>
</context>
<context>
    <name>davo::compactaBanco</name>
    <message>
        <source>Não foi possível renomear &apos;%1&apos; para &apos;%2&apos;: %3</source>
        <translation>No se pudo cambiar el nombre de &apos;%1&apos; a &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>Não foi possível gravar a pasta &apos;%1&apos; no disco.</source>
        <translation>No se pudo grabar la carpeta &apos;%1&apos; en el disco.</translation>
    </message>
</context>
<context>
    <name>davo::descartaAlteracoes</name>
    <message>
        <source>Descartar alterações?</source>
        <translation>¿Descartar cambios?</translation>
    </message>
    <message>
        <source>Há respostas ou textos que ainda não foram gravados. Sair sem gravá-los?</source>
        <translation>Hay respuestas o textos que todavía no se han guardado. ¿Salir sin guardarlos?</translation>
    </message>
</context>
<context>
    <name>davo::frmAtividadesGUT</name>
    <message>
        <source>Atividades GUT</source>
        <translation>Actividades GUT</translation>
    </message>
    <message>
        <source>Incluir &amp;Nova Atividade</source>
        <translation>Incluir &amp;nueva actividad</translation>
    </message>
    <message>
        <source>Ver &amp;Plano</source>
        <translation>Ver &amp;plan</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Carga Horária/Dia: </source>
        <translation>Carga horaria/día: </translation>
    </message>
    <message>
        <source>(primeiros 6 projetos)</source>
        <translation>(primeros 6 proyectos)</translation>
    </message>
    <message>
        <source>Data Final:</source>
        <translation>Fecha límite:</translation>
    </message>
    <message>
        <source>Horas Estimadas:</source>
        <translation>Horas estimadas:</translation>
    </message>
    <message>
        <source>Horas Já Trab.:</source>
        <translation>Horas ya trab.:</translation>
    </message>
    <message>
        <source>Finalizar Tarefa</source>
        <translation>Finalizar tarea</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Horas Trabalhadas:</source>
        <translation>Horas trabajadas:</translation>
    </message>
    <message>
        <source>&amp;Reavaliar</source>
        <translation>&amp;Reevaluar</translation>
    </message>
    <message>
        <source>Responder de novo os questionários de Gravidade e Tendência desta atividade</source>
        <translation>Responder de nuevo los cuestionarios de Gravedad y Tendencia de esta actividad</translation>
    </message>
    <message>
        <source>Observações</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Prazos não atualizados!</source>
        <translation>¡Plazos no actualizados!</translation>
    </message>
    <message>
        <source>%1 A lista mostra os prazos e as horas da última gravação, que não puderam ser atualizados; %2</source>
        <translation>%1 La lista muestra los plazos y las horas de la última vez que se guardaron, que no se pudieron actualizar; %2</translation>
    </message>
    <message>
        <source>Data Final incompatível!</source>
        <translation>¡Fecha límite incompatible!</translation>
    </message>
    <message>
        <source>Data Final não pode ser anterior da data de hoje, e nesse caso não será alterada.</source>
        <translation>La fecha límite no puede ser anterior a la fecha de hoy, por eso no se cambiará.</translation>
    </message>
    <message>
        <source>Data Final não válida e nesse caso não será alterada.</source>
        <translation>La fecha límite no es válida, por eso no se cambiará.</translation>
    </message>
</context>
<context>
    <name>davo::frmGravidade</name>
    <message>
        <source>eu me desmotivarei</source>
        <translation>me desmotivaré</translation>
    </message>
    <message>
        <source>o relacionamento com meu chefe será prejudicado</source>
        <translation>la relación con mi jefe se verá perjudicada</translation>
    </message>
    <message>
        <source>a confiança em mim mesmo diminuirá</source>
        <translation>la confianza en mí mismo disminuirá</translation>
    </message>
    <message>
        <source>a minha equipe será prejudicada</source>
        <translation>mi equipo se verá perjudicado</translation>
    </message>
    <message>
        <source>impactará sobre outras pessoas</source>
        <translation>afectará a otras personas</translation>
    </message>
    <message>
        <source>impactará sobre outros departamentos</source>
        <translation>afectará a otros departamentos</translation>
    </message>
    <message>
        <source>reduzirá a segurança da empresa</source>
        <translation>reducirá la seguridad de la empresa</translation>
    </message>
    <message>
        <source>acabará or gerar outros problemas</source>
        <translation>acabará generando otros problemas</translation>
    </message>
    <message>
        <source>prejudicará o prazo de um cliente interno</source>
        <translation>perjudicará el plazo de un cliente interno</translation>
    </message>
    <message>
        <source>prejudicará o prazo de um cliente externo</source>
        <translation>perjudicará el plazo de un cliente externo</translation>
    </message>
    <message>
        <source>trará grandes custos adicionais à empresa</source>
        <translation>traerá grandes costos adicionales a la empresa</translation>
    </message>
    <message>
        <source>impactará sobre outras atividades</source>
        <translation>afectará a otras actividades</translation>
    </message>
    <message>
        <source>poderá ser gargalo de um processo</source>
        <translation>podrá ser el cuello de botella de un proceso</translation>
    </message>
    <message>
        <source>deixarei de ter certos benefícios</source>
        <translation>dejaré de tener ciertos beneficios</translation>
    </message>
    <message>
        <source>Discordo totalmente</source>
        <translation>Totalmente en desacuerdo</translation>
    </message>
    <message>
        <source>Discordo</source>
        <translation>En desacuerdo</translation>
    </message>
    <message>
        <source>Indiferente</source>
        <translation>Indiferente</translation>
    </message>
    <message>
        <source>Concordo</source>
        <translation>De acuerdo</translation>
    </message>
    <message>
        <source>Concordo totalmente</source>
        <translation>Totalmente de acuerdo</translation>
    </message>
    <message>
        <source>DT</source>
        <comment>Discordo totalmente</comment>
        <translation>TD</translation>
    </message>
    <message>
        <source>D</source>
        <comment>Discordo</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>I</source>
        <comment>Indiferente</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>C</source>
        <comment>Concordo</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>CT</source>
        <comment>Concordo totalmente</comment>
        <translation>TA</translation>
    </message>
    <message>
        <source>Gravidade (potenciais danos; seriedade do problema)</source>
        <translation>Gravedad (daños potenciales; seriedad del problema)</translation>
    </message>
    <message>
        <source>Se a atividade não for realizada, se nada for feito, </source>
        <translation>Si la actividad no se realiza, si no se hace nada, </translation>
    </message>
    <message>
        <source>Gravidade</source>
        <translation>Gravedad</translation>
    </message>
    <message>
        <source>Nível de gravidade =</source>
        <translation>Nivel de gravedad =</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Faltou calcular a Gravidade!</source>
        <translation>¡Falta calcular la Gravedad!</translation>
    </message>
    <message>
        <source>Antes de salvar, calcule a Gravidade dessa nova atividade.</source>
        <translation>Antes de guardar, calcule la Gravedad de esta nueva actividad.</translation>
    </message>
</context>
<context>
    <name>davo::frmHistorico</name>
    <message>
        <source>Atividades Já concluídas</source>
        <translation>Actividades ya concluidas</translation>
    </message>
    <message>
        <source>&amp;Recuperar Tarefa</source>
        <translation>&amp;Recuperar tarea</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>davo::frmNovaAtiv</name>
    <message>
        <source>Horas Estimadas incorretas!</source>
        <translation>¡Horas estimadas incorrectas!</translation>
    </message>
    <message>
        <source>Digite as horas estimadas como um número igual ou maior que zero, para depois poder salvar a nova tarefa</source>
        <translation>Escriba las horas estimadas como un número igual o mayor que cero, para después poder guardar la nueva tarea</translation>
    </message>
    <message>
        <source>Horas Já Trab. incorretas!</source>
        <translation>¡Horas ya trab. incorrectas!</translation>
    </message>
    <message>
        <source>Digite as horas já trabalhadas como um número igual ou maior que zero, para depois poder salvar a nova tarefa</source>
        <translation>Escriba las horas ya trabajadas como un número igual o mayor que cero, para después poder guardar la nueva tarea</translation>
    </message>
    <message>
        <source>Inclusão de Nova Atividade</source>
        <translation>Inclusión de nueva actividad</translation>
    </message>
    <message>
        <source>Atividade:</source>
        <translation>Actividad:</translation>
    </message>
    <message>
        <source>Data Final:</source>
        <translation>Fecha límite:</translation>
    </message>
    <message>
        <source>Horas Estimadas:</source>
        <translation>Horas estimadas:</translation>
    </message>
    <message>
        <source>Horas Já Trab.:</source>
        <translation>Horas ya trab.:</translation>
    </message>
    <message>
        <source>Gravidade:</source>
        <translation>Gravedad:</translation>
    </message>
    <message>
        <source>Tendência:</source>
        <translation>Tendencia:</translation>
    </message>
    <message>
        <source>Urgência:</source>
        <translation>Urgencia:</translation>
    </message>
    <message>
        <source>GUT:</source>
        <translation>GUT:</translation>
    </message>
    <message>
        <source>Observações:</source>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <source>&amp;Gravidade</source>
        <translation>&amp;Gravedad</translation>
    </message>
    <message>
        <source>&amp;Tendências</source>
        <translation>&amp;Tendencias</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>G&amp;uardar</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Data Final incorreta!</source>
        <translation>¡Fecha límite incorrecta!</translation>
    </message>
    <message>
        <source>Data Final não pode ser anterior a data de hoje, redefinir essa data.</source>
        <translation>La fecha límite no puede ser anterior a la fecha de hoy; vuelva a definir esa fecha.</translation>
    </message>
    <message>
        <source>Falta calcular a Tendência!</source>
        <translation>¡Falta calcular la Tendencia!</translation>
    </message>
    <message>
        <source>Primeiro calcule o valor da Tendência, para depois poder salvar a nova tarefa</source>
        <translation>Primero calcule el valor de la Tendencia, para después poder guardar la nueva tarea</translation>
    </message>
    <message>
        <source>Falta calcular a Gravidade!</source>
        <translation>¡Falta calcular la Gravedad!</translation>
    </message>
    <message>
        <source>Primeiro calcule o valor da Gravidade, para depois poder salvar a nova tarefa</source>
        <translation>Primero calcule el valor de la Gravedad, para después poder guardar la nueva tarea</translation>
    </message>
    <message>
        <source>Falta calcular o GUT!</source>
        <translation>¡Falta calcular el GUT!</translation>
    </message>
    <message>
        <source>Primeiro calcule a Gravidade e a Tendência, para depois poder salvar a nova tarefa</source>
        <translation>Primero calcule la Gravedad y la Tendencia, para después poder guardar la nueva tarea</translation>
    </message>
    <message>
        <source>Falta digitar o número de horas já trabalhadas!</source>
        <translation>¡Falta escribir el número de horas ya trabajadas!</translation>
    </message>
    <message>
        <source>Primeiro coloque o valor das horas já trabalhadas, para depois poder salvar a nova tarefa</source>
        <translation>Primero escriba el valor de las horas ya trabajadas, para después poder guardar la nueva tarea</translation>
    </message>
    <message>
        <source>Falta Data Final da Atividade!</source>
        <translation>¡Falta la fecha límite de la actividad!</translation>
    </message>
    <message>
        <source>Digite a Data Final para depois poder salvar a nova tarefa</source>
        <translation>Escriba la fecha límite para después poder guardar la nueva tarea</translation>
    </message>
    <message>
        <source>Falta digitar a Atividade!</source>
        <translation>¡Falta escribir la actividad!</translation>
    </message>
    <message>
        <source>Primeiro descreva a atividade, para depois poder salvar a nova tarefa</source>
        <translation>Primero describa la actividad, para después poder guardar la nueva tarea</translation>
    </message>
    <message>
        <source>Falta digitar o número de horas estimadas!</source>
        <translation>¡Falta escribir el número de horas estimadas!</translation>
    </message>
    <message>
        <source>Primeiro coloque o valor das horas estimadas, para depois poder salvar a nova tarefa</source>
        <translation>Primero escriba el valor de las horas estimadas, para después poder guardar la nueva tarea</translation>
    </message>
</context>
<context>
    <name>davo::frmPlano</name>
    <message>
        <source>Plano das Próximas Semanas</source>
        <translation>Plan de las próximas semanas</translation>
    </message>
    <message>
        <source>&amp;Atividades que atrasarão:</source>
        <translation>&amp;Actividades que se retrasarán:</translation>
    </message>
    <message>
        <source>Atividade</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Data Final</source>
        <translation>Fecha límite</translation>
    </message>
    <message>
        <source>Término Previsto</source>
        <translation>Término previsto</translation>
    </message>
    <message>
        <source>Horas de Atraso</source>
        <translation>Horas de retraso</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Nenhuma atividade aberta</source>
        <translation>Ninguna actividad abierta</translation>
    </message>
    <message>
        <source>Nenhuma atividade atrasará</source>
        <translation>Ninguna actividad se retrasará</translation>
    </message>
    <message>
        <source>1 atividade atrasará</source>
        <translation>1 actividad se retrasará</translation>
    </message>
    <message>
        <source>%1 atividades atrasarão</source>
        <translation>%1 actividades se retrasarán</translation>
    </message>
    <message>
        <source>1 hora além da capacidade</source>
        <translation>1 hora más allá de la capacidad</translation>
    </message>
    <message>
        <source>%1 horas além da capacidade</source>
        <translation>%1 horas más allá de la capacidad</translation>
    </message>
    <message>
        <source>Com esta atividade, nenhuma outra atrasará</source>
        <translation>Con esta actividad, ninguna otra se retrasará</translation>
    </message>
    <message>
        <source>Com esta atividade, nenhuma outra atrasará mais do que já atrasa</source>
        <translation>Con esta actividad, ninguna otra se retrasará más de lo que ya se retrasa</translation>
    </message>
    <message>
        <source>1 hora</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%1 horas</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>«%1» atrasará mais %2</source>
        <translation>«%1» se retrasará %2 más</translation>
    </message>
    <message>
        <source>«%1» atrasará %2</source>
        <translation>«%1» se retrasará %2</translation>
    </message>
    <message>
        <source> e </source>
        <translation> y </translation>
    </message>
    <message>
        <source> e mais 1 atividade atrasará</source>
        <translation> y 1 actividad más se retrasará</translation>
    </message>
    <message>
        <source> e mais %1 atividades atrasarão</source>
        <translation> y %1 actividades más se retrasarán</translation>
    </message>
    <message>
        <source>Com esta atividade, %1</source>
        <translation>Con esta actividad, %1</translation>
    </message>
</context>
<context>
    <name>davo::frmTendencia</name>
    <message>
        <source>Os danos apontados desaparecerão com o tempo:</source>
        <translation>Los daños señalados desaparecerán con el tiempo:</translation>
    </message>
    <message>
        <source>Os danos se manterão, independentemente do tempo:</source>
        <translation>Los daños se mantendrán, independientemente del tiempo:</translation>
    </message>
    <message>
        <source>Os danos crescerão levemente com o tempo:</source>
        <translation>Los daños crecerán levemente con el tiempo:</translation>
    </message>
    <message>
        <source>Os danos crescerão muito com o tempo:</source>
        <translation>Los daños crecerán mucho con el tiempo:</translation>
    </message>
    <message>
        <source>Os danos crescerão enormemente com o tempo:</source>
        <translation>Los daños crecerán enormemente con el tiempo:</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tendência</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>T: Tendência</source>
        <translation>T: Tendencia</translation>
    </message>
    <message>
        <source>Tendência (dos danos, potencial crescimento dos danos)</source>
        <translation>Tendencia (de los daños, crecimiento potencial de los daños)</translation>
    </message>
    <message>
        <source>Se a atividade não for realizada, se nada for feito, </source>
        <translation>Si la actividad no se realiza, si no se hace nada, </translation>
    </message>
    <message>
        <source>Nível de Gravidade =</source>
        <translation>Nivel de gravedad =</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Faltou calcular a Tendência!</source>
        <translation>¡Falta calcular la Tendencia!</translation>
    </message>
    <message>
        <source>Antes de salvar, volte e Calcule a Tendência</source>
        <translation>Antes de guardar, vuelva y calcule la Tendencia</translation>
    </message>
</context>
<context>
    <name>davo::relataErro</name>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ocorreu um erro na Abertura de Arquivos.
Como referência, anote o seguinte número: 
Número de Erro =&gt; %1
Ref.: %2</source>
        <translation>Ocurrió un error al abrir los archivos.
Como referencia, anote el siguiente número: 
Número de error =&gt; %1
Ref.: %2</translation>
    </message>
</context>
</TS>
