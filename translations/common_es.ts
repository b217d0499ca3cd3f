<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name>common</name>
    <message>
        <source>O arquivo &apos;%1&apos; está bloqueado por outro usuário.</source>
        <translation>El archivo &apos;%1&apos; está bloqueado por otro usuario.</translation>
    </message>
    <message>
        <source>Não há espaço em disco para gravar &apos;%1&apos; (%2).</source>
        <translation>No queda espacio en disco para grabar &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>Erro de disco ao gravar &apos;%1&apos; (%2).</source>
        <translation>Error de disco al grabar &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>Formato de banco de dados não reconhecido: &apos;%1&apos; (%2).</source>
        <translation>Formato de base de datos no reconocido: &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo &apos;%1&apos; (%2).</source>
        <translation>No se pudo abrir el archivo &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>O arquivo &apos;%1&apos; foi movido ou apagado enquanto estava aberto.</source>
        <translation>El archivo &apos;%1&apos; se movió o se borró mientras estaba abierto.</translation>
    </message>
    <message>
        <source>Não é possível atualizar: o banco de dados é somente leitura (%1).</source>
        <translation>No se puede actualizar: la base de datos es de solo lectura (%1).</translation>
    </message>
    <message>
        <source>Não foi possível criar &apos;%1&apos;: %2</source>
        <translation>No se pudo crear &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Não foi possível encontrar o arquivo &apos;%1&apos;.</source>
        <translation>No se pudo encontrar el archivo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>O banco de dados não está aberto.</source>
        <translation>La base de datos no está abierta.</translation>
    </message>
    <message>
        <source>O mecanismo de banco de dados não encontrou a tabela ou consulta &apos;%1&apos;.</source>
        <translation>El motor de base de datos no encontró la tabla o consulta &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Não é possível atualizar: o arquivo &apos;%1&apos; é somente leitura.</source>
        <translation>No se puede actualizar: el archivo &apos;%1&apos; es de solo lectura.</translation>
    </message>
    <message>
        <source>A transação foi desfeita; nada foi gravado.</source>
        <translation>La transacción se deshizo; no se grabó nada.</translation>
    </message>
    <message>
        <source>O arquivo &apos;%1&apos; já existe.</source>
        <translation>El archivo &apos;%1&apos; ya existe.</translation>
    </message>
    <message>
        <source>Não foi possível gravar &apos;%1&apos; no disco.</source>
        <translation>No se pudo grabar &apos;%1&apos; en el disco.</translation>
    </message>
    <message>
        <source>O campo &apos;%1&apos; não existe na tabela &apos;%2&apos; deste banco de dados.</source>
        <translation>El campo &apos;%1&apos; no existe en la tabla &apos;%2&apos; de esta base de datos.</translation>
    </message>
    <message>
        <source>Item não encontrado nesta coleção: &apos;%1&apos;.</source>
        <translation>Elemento no encontrado en esta colección: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>O conjunto de registros está fechado.</source>
        <translation>El conjunto de registros está cerrado.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; não é um índice desta tabela.</source>
        <translation>&apos;%1&apos; no es un índice de esta tabla.</translation>
    </message>
    <message>
        <source>Busca por índice só em tabelas.</source>
        <translation>La búsqueda por índice solo funciona en tablas.</translation>
    </message>
    <message>
        <source>Operador de busca inválido: &apos;%1&apos;.</source>
        <translation>Operador de búsqueda no válido: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Nenhum registro atual.</source>
        <translation>No hay registro actual.</translation>
    </message>
    <message>
        <source>Não é possível atualizar: o conjunto de registros é somente leitura.</source>
        <translation>No se puede actualizar: el conjunto de registros es de solo lectura.</translation>
    </message>
    <message>
        <source>Erro de conversão de tipo de dados no campo &apos;%1&apos; (valor &apos;%2&apos;).</source>
        <translation>Error de conversión de tipo de datos en el campo &apos;%1&apos; (valor &apos;%2&apos;).</translation>
    </message>
    <message>
        <source>Atualização sem Edit ou AddNew.</source>
        <translation>Actualización sin Edit o AddNew.</translation>
    </message>
    <message>
        <source>O registro foi excluído; nada foi gravado.</source>
        <translation>El registro se eliminó; no se grabó nada.</translation>
    </message>
    <message>
        <source>O registro já tinha sido excluído.</source>
        <translation>El registro ya se había eliminado.</translation>
    </message>
    <message>
        <source>Erro %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>falha desconhecida</source>
        <translation>fallo desconocido</translation>
    </message>
    <message>
        <source>Disco cheio!</source>
        <translation>¡Disco lleno!</translation>
    </message>
    <message>
        <source>O disco está cheio: não foi possível gravar em %1.</source>
        <translation>El disco está lleno: no se pudo grabar en %1.</translation>
    </message>
    <message>
        <source>libere espaço e tente de novo.</source>
        <translation>libere espacio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Somente leitura!</source>
        <translation>¡Solo lectura!</translation>
    </message>
    <message>
        <source>O arquivo %1 é somente leitura: não foi possível gravar nele.</source>
        <translation>El archivo %1 es de solo lectura: no se pudo grabar en él.</translation>
    </message>
    <message>
        <source>dê permissão de gravação ao arquivo e à sua pasta e tente de novo.</source>
        <translation>dé permiso de escritura al archivo y a su carpeta e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Arquivo em uso!</source>
        <translation>¡Archivo en uso!</translation>
    </message>
    <message>
        <source>Outro programa está usando %1: não foi possível gravar nele.</source>
        <translation>Otro programa está usando %1: no se pudo grabar en él.</translation>
    </message>
    <message>
        <source>feche o outro programa e tente de novo.</source>
        <translation>cierre el otro programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Erro de disco!</source>
        <translation>¡Error de disco!</translation>
    </message>
    <message>
        <source>O disco falhou ao gravar em %1.</source>
        <translation>El disco falló al grabar en %1.</translation>
    </message>
    <message>
        <source>verifique o disco e tente de novo.</source>
        <translation>revise el disco e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 Nada foi alterado; %2</source>
        <translation>%1 No se cambió nada; %2</translation>
    </message>
    <message>
        <source>Erro inesperado; o programa será encerrado.

%1</source>
        <translation>Error inesperado; el programa se cerrará.

%1</translation>
    </message>
</context>
</TS>
